#pragma once

#include "base/operator.h"
#include "base/safe_save.h"

// Tells the operator that a file could not be written, naming it: line 1
// "Ошибка записи файла", line 2 the file's path. The old file is still there, so
// nothing else is said. A save that went through, or had nothing to write, says nothing.
void reportSaveFailure(Operator& person, const SaveResult& result);
