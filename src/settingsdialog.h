// PLACEHOLDER
#ifndef SETTINGSDIALOG_H
#define SETTINGSDIALOG_H
#include "settings.h"
#endif
