#pragma once

#include <QString>

// A comma would end a field when the file is read back, so every "," of a stored title,
// question or answer is written as "&", and reading turns every "&" back into ",". An
// ampersand typed by the author therefore comes back as a comma.
QString commaEncode(const QString& text);
QString commaDecode(const QString& text);
