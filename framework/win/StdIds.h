// The standard ids live with the window-free core (documents route the File
// commands there too); the window layer's sources may include them here.
#pragma once

#include "framework/core/StdIds.h"
