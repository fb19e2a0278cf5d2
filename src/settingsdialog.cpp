// PLACEHOLDER
#include "settingsdialog.h"
