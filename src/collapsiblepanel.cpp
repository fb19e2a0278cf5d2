// PLACEHOLDER
#include "collapsiblepanel.h"
