// Third-party headers nearly every test includes, compiled once for all test
// programs. Project headers stay out: each test includes what it uses.
#pragma once
#include <QtCore>
#include <QtWidgets>
#include <gtest/gtest.h>
