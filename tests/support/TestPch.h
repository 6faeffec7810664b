// Headers nearly every test includes, compiled once for all test programs.
#pragma once
#include <QtCore>
#include <QtWidgets>
#include <gtest/gtest.h>
#include "shell/Log.h"
#include "shell/Program.h"
#include "support/ProgramFixture.h"
