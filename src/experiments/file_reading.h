#pragma once
// Reading an experiment file from disk, with the messages the program
// gives when it cannot: shared by the Experiment box and the export.

#include <QByteArray>
#include <QString>

#include "experiments/experiment_record.h"

// The file's bytes; false with the message when it is missing or unreadable.
bool readExperimentBytes(const QString& path, QByteArray* bytes, QString* error);

// A reader's message in the user's language.
QString readErrorText(const std::string& message);
QString parameterErrorText(const exper::ParameterParse& p);

// "\"<path>\", line N: <what>" for a file whose numbers cannot be read.
QString parseErrorMessage(const QString& path, const exper::ParseError& e);
