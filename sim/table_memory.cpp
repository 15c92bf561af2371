#include "sim/table_memory.h"
