#pragma once
// Every feature of the main window, for code that reaches them through the window (tests, tools).

#include "ui/EditCommands.h"
#include "ui/FileCommands.h"
#include "ui/FindCommands.h"
#include "ui/HelpFeature.h"
#include "ui/MainWindow.h"
#include "ui/PrintCommands.h"
#include "ui/RecoveryFeature.h"
#include "ui/ReviewFeature.h"
#include "ui/SpeechFeature.h"
#include "ui/TestCommands.h"
