#include "Units.h"
