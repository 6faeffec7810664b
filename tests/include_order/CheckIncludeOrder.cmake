# Fails on a file of ROOT/src that reads a header against the subsystems'
# order: a folder may read its own headers and those of the layers below
# it, never one of its own layer or above it.
#   cmake -DROOT=<tree> -DCXX=<compiler> [-DINCLUDES=<dir>|<dir>...]
#         [-DCOMPILE_COMMANDS=<compile_commands.json>]
#         [-DBUILD=<build dir> -DNINJA=<ninja>] -P CheckIncludeOrder.cmake
#
# It reads the headers the compiler resolved, not the include lines, so the
# form of an include (<x/...>, "x/...", "../x/...") makes no difference, and
# it follows them through other headers. A translation unit's headers come
# from the build's dependency records (`ninja -t deps`) when the build's
# object is newer than every file it read; every other file (a source built
# since, a header no source of its own folder reads, a build without such
# records) is preprocessed here with -MM, under the build's own command line
# for it from COMPILE_COMMANDS (its definitions, include paths and forced
# includes, so that an include behind #ifdef NDEBUG or a QT_*_LIB definition
# is read as the build reads it); a file the build does not compile takes
# the command of a source of its own folder (its library's). Without one,
# ROOT/src and INCLUDES are the include path. A header that a source of its
# own folder reads needs no run of its own: whatever it reads, that source
# read too.

# The layers, lowest first; the folders of one layer are siblings, which do
# not read each other. It is the order written in docs/DEVELOPING.md.
set(order platform shell link "alarms|parameters|traces" run scheduler)
# The program's assembly and main() sit above every layer.
set(top app)

if(NOT ROOT OR NOT CXX)
  message(FATAL_ERROR "ROOT and CXX must be given")
endif()
cmake_path(SET src NORMALIZE "${ROOT}/src")
string(REPLACE "|" ";" INCLUDES "${INCLUDES}")

# rank_<folder>: the folder's layer.
set(rank 0)
foreach(layer IN LISTS order)
  string(REPLACE "|" ";" folders "${layer}")
  foreach(folder IN LISTS folders)
    set(rank_${folder} ${rank})
  endforeach()
  math(EXPR rank "${rank} + 1")
endforeach()
set(rank_${top} ${rank})

# The folder of a path under ROOT/src, or "" for a path outside it.
function(folder_of path out)
  string(FIND "${path}" "${src}/" at)
  if(NOT at EQUAL 0)
    set(${out} "" PARENT_SCOPE)
    return()
  endif()
  string(LENGTH "${src}/" n)
  string(SUBSTRING "${path}" ${n} -1 rel)
  string(REGEX REPLACE "/.*$" "" folder "${rel}")
  set(${out} "${folder}" PARENT_SCOPE)
endfunction()

set(wrong)
# Checks that file `file` (a path under ROOT/src) may read each of `deps`.
function(check file deps)
  folder_of("${file}" from)
  file(RELATIVE_PATH file_text "${ROOT}" "${file}")
  if(NOT DEFINED rank_${from})
    list(APPEND wrong "${file_text}: its folder is not in the order")
    set(wrong "${wrong}" PARENT_SCOPE)
    return()
  endif()
  foreach(dep IN LISTS deps)
    folder_of("${dep}" to)
    if(to STREQUAL "" OR to STREQUAL from)
      continue()
    endif()
    if(NOT DEFINED rank_${to} OR NOT rank_${to} LESS rank_${from})
      file(RELATIVE_PATH dep_text "${src}" "${dep}")
      list(APPEND wrong "${file_text}: ${dep_text}")
    endif()
  endforeach()
  set(wrong "${wrong}" PARENT_SCOPE)
endfunction()

# Every file to check: the sources and headers of each folder of ROOT/src.
file(GLOB files LIST_DIRECTORIES false "${src}/*/*.h" "${src}/*/*.cpp")
list(SORT files)
set(pending ${files})

# --- The build's records. Each TU: "<object>: #deps ..." then its files.
set(built)
if(BUILD AND NINJA)
  execute_process(COMMAND ${NINJA} -C ${BUILD} -t deps
                  OUTPUT_VARIABLE out RESULT_VARIABLE rc ERROR_QUIET)
  if(NOT rc EQUAL 0)
    set(out "")
  endif()
  # One element per object ("<object>: #deps ...\n    <its unit>", the
  # compiler names the unit first) and one per file under src.
  string(REPLACE ";" "" out "${out}")
  string(REGEX REPLACE "([][+.*()^$?|\\])" "\\\\\\1" src_re "${src}")
  string(REGEX MATCHALL "[^\n]*#deps[^\n]*\n[^\n]*|[^\n]*${src_re}/[^\n]*" lines "${out}")
  set(object "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^([^ \n][^\n]*): #deps[^\n]*\n(.*)$")
      set(object "${BUILD}/${CMAKE_MATCH_1}")
      set(line "${CMAKE_MATCH_2}")
      set(deps_of_${object})
      set(unit "")
    elseif(object STREQUAL "")
      continue()
    endif()
    string(STRIP "${line}" dep)
    if(dep STREQUAL "")
      continue()
    endif()
    cmake_path(ABSOLUTE_PATH dep BASE_DIRECTORY "${BUILD}" NORMALIZE)
    if(unit STREQUAL "")
      set(unit "${dep}")
      set(unit_of_${object} "${unit}")
      list(APPEND built "${object}")
    endif()
    list(APPEND deps_of_${object} "${dep}")
  endforeach()
endif()

foreach(object IN LISTS built)
  set(unit "${unit_of_${object}}")
  list(FIND pending "${unit}" at)
  if(at EQUAL -1)
    continue()   # not a source of ROOT/src, or read already
  endif()
  # A file changed since the object was built: the record may be out of date.
  set(fresh TRUE)
  foreach(dep IN LISTS deps_of_${object})
    if(NOT EXISTS "${dep}" OR "${dep}" IS_NEWER_THAN "${object}")
      set(fresh FALSE)
      break()
    endif()
  endforeach()
  if(NOT fresh)
    continue()
  endif()
  check("${unit}" "${deps_of_${object}}")
  folder_of("${unit}" unit_folder)
  foreach(dep IN LISTS deps_of_${object})
    folder_of("${dep}" dep_folder)
    if(dep_folder STREQUAL unit_folder)
      list(REMOVE_ITEM pending "${dep}")
    endif()
  endforeach()
  list(REMOVE_ITEM pending "${unit}")
endforeach()

# --- The build's command lines: command_of_<file> and dir_of_<file> for
# every source of ROOT/src it compiles, command_of_<folder> and
# dir_of_<folder> (the first such source's) for each folder.
if(COMPILE_COMMANDS)
  file(READ "${COMPILE_COMMANDS}" json)
  string(JSON entries LENGTH "${json}")
  if(entries GREATER 0)
    math(EXPR last "${entries} - 1")
    foreach(i RANGE ${last})
      string(JSON unit GET "${json}" ${i} file)
      string(JSON dir GET "${json}" ${i} directory)
      cmake_path(ABSOLUTE_PATH unit BASE_DIRECTORY "${dir}" NORMALIZE)
      folder_of("${unit}" folder)
      if(folder STREQUAL "")
        continue()
      endif()
      string(JSON command GET "${json}" ${i} command)
      separate_arguments(command UNIX_COMMAND "${command}")
      # The compiler and its flags, without the unit, its output and the
      # dependency files the build writes.
      set(kept)
      set(skip FALSE)
      foreach(arg IN LISTS command)
        if(skip)
          set(skip FALSE)
        elseif(arg MATCHES "^-(o|MF|MT|MQ)$")
          set(skip TRUE)
        elseif(arg MATCHES "^-(c|MD|MMD)$" OR arg STREQUAL unit)
        else()
          cmake_path(ABSOLUTE_PATH arg BASE_DIRECTORY "${dir}" NORMALIZE OUTPUT_VARIABLE arg_path)
          if(NOT arg_path STREQUAL unit)
            list(APPEND kept "${arg}")
          endif()
        endif()
      endforeach()
      set(command_of_${unit} "${kept}")
      set(dir_of_${unit} "${dir}")
      if(NOT DEFINED command_of_${folder})
        set(command_of_${folder} "${kept}")
        set(dir_of_${folder} "${dir}")
      endif()
    endforeach()
  endif()
endif()

# --- The compiler, for every file left.
set(plain ${CXX} -std=c++20 -I${src})
foreach(dir IN LISTS INCLUDES)
  list(APPEND plain -I${dir})
endforeach()
foreach(file IN LISTS pending)
  folder_of("${file}" folder)
  if(DEFINED command_of_${file})
    set(command "${command_of_${file}}")
    set(dir "${dir_of_${file}}")
  elseif(DEFINED command_of_${folder})
    set(command "${command_of_${folder}}")
    set(dir "${dir_of_${folder}}")
  else()
    set(command ${plain})
    set(dir "${src}")
  endif()
  if(file MATCHES "\\.h$")
    # The header read as the first thing of an empty unit, after what the
    # command forces in, as a source reads it.
    execute_process(COMMAND ${command} -MM -x c++ -include ${file} /dev/null
                    WORKING_DIRECTORY "${dir}"
                    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  else()
    execute_process(COMMAND ${command} -MM ${file}
                    WORKING_DIRECTORY "${dir}"
                    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  endif()
  if(NOT rc EQUAL 0)
    file(RELATIVE_PATH file_text "${ROOT}" "${file}")
    string(STRIP "${err}" err)
    list(APPEND wrong "${file_text}: cannot be preprocessed: ${err}")
    continue()
  endif()
  # "<object>: <file> <file> \\\n <file> ..."
  string(REGEX REPLACE "^[^:]*:" "" out "${out}")
  string(REGEX REPLACE "\\\\\n" " " out "${out}")
  string(STRIP "${out}" out)
  string(REGEX REPLACE "[ \t\n]+" ";" deps "${out}")
  set(normal)
  foreach(dep IN LISTS deps)
    cmake_path(ABSOLUTE_PATH dep BASE_DIRECTORY "${dir}" NORMALIZE)
    list(APPEND normal "${dep}")
  endforeach()
  check("${file}" "${normal}")
endforeach()

list(LENGTH files count)
list(LENGTH pending preprocessed)
set(order_text)
foreach(layer IN LISTS order)
  if(layer MATCHES "\\|")
    string(REPLACE "|" ", " layer "{${layer}}")
  endif()
  list(APPEND order_text "${layer}")
endforeach()
list(JOIN order_text " < " order_text)
if(wrong)
  list(REMOVE_DUPLICATES wrong)
  list(JOIN wrong "\n  " text)
  message(FATAL_ERROR "Headers read against the order ${order_text}:\n  ${text}")
endif()
message(STATUS "${count} files read their headers in the order ${order_text} "
               "(${preprocessed} of them preprocessed here)")
