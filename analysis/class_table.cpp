#include "analysis/class_table.h"

ClassTable class_table;
