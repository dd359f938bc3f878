#include "error.h"
