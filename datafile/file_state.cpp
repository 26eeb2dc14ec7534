#include "datafile/file_state.h"

FileState file_state;
