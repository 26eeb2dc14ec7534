#include "analysis/record_store.h"

RecordStore record_store;
