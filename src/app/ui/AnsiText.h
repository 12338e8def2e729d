// The text crossing now lives in the bottom Qt library (core/ui), where the
// dialogs of convert/ui and export/ui can use it too; this header keeps the
// main window's include working until it names core/ui/AnsiText.h itself.
#pragma once

#include "core/ui/AnsiText.h"
