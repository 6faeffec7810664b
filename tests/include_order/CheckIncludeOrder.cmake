# Reads the include lines of every source under ROOT/src and fails on one
# that points against the subsystems' order: a folder may include its own
# headers and those of the folders below it, never one above it.
#   cmake -DROOT=<tree> -P CheckIncludeOrder.cmake

# The order, lowest first; it is the one written in the top-level README.
set(order platform shell link alarms parameters traces run scheduler)
# main() sits above every subsystem.
set(top app)

if(NOT ROOT)
  message(FATAL_ERROR "ROOT not given")
endif()

set(wrong)
foreach(sub IN LISTS order top)
  list(FIND order ${sub} rank)
  if(sub STREQUAL top)
    list(LENGTH order rank)
  endif()
  file(GLOB sources RELATIVE "${ROOT}" "${ROOT}/src/${sub}/*.h" "${ROOT}/src/${sub}/*.cpp")
  list(SORT sources)
  foreach(src IN LISTS sources)
    file(STRINGS "${ROOT}/${src}" incs REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z]+/")
    foreach(inc IN LISTS incs)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*$" "\\1" header "${inc}")
      string(REGEX REPLACE "/.*$" "" folder "${header}")
      list(FIND order ${folder} to)
      if(to EQUAL -1)
        if(folder STREQUAL top AND NOT sub STREQUAL top)
          list(APPEND wrong "${src}: ${header}")
        endif()
        continue()
      endif()
      if(to GREATER rank)
        list(APPEND wrong "${src}: ${header}")
      endif()
    endforeach()
  endforeach()
endforeach()

list(JOIN order " < " order_text)
if(wrong)
  list(JOIN wrong "\n  " text)
  message(FATAL_ERROR "Includes against the order ${order_text}:\n  ${text}")
endif()
message(STATUS "Includes follow ${order_text}")
