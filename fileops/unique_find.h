// Kept for its includers: the owner lives in unique_handle.h.
#pragma once

#include "fileops/unique_handle.h"
