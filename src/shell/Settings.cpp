#include "shell/Settings.h"

Settings settings;
