#pragma once

#include "base/input_problem.h"
#include "base/operator.h"
#include "base/safe_save.h"

#include <QString>
#include <functional>
#include <optional>

// The steps every "save as" of the program shares, whatever the file holds.

// Asks in the save dialog `choice` for the name to save under, until the
// operator gives one that is new or may be replaced: `completed` turns the name
// given into the one saved under (adds the extension it lacks); an existing file
// is replaced only when the operator agrees, else the dialog comes again. None
// when the operator cancels the dialog.
std::optional<QString> chooseFileToSave(Operator& person, const FileChoice& choice,
                                        const std::function<QString(const QString&)>& completed);

// Tells the operator of a save that failed: "Ошибка открытия файла" when the file
// could not be made at all, else which file could not be written (the old one
// stays). True when the file was saved.
bool savedOrTold(Operator& person, const SaveResult& result);

// Tells the operator why a file could not be read: its opening failed, or the
// file is not of the kind asked for (`problem`'s two lines).
void tellReadProblem(Operator& person, const InputProblem& problem);
