#pragma once

#include <QString>
#include <optional>

namespace reg {

// Why a worksheet title cannot be used, as one short sentence for the teacher, or nullopt
// when it can. The title names the quiz file "multiple/<title>.txt" and is a line of the
// register, so it must not hold a folder separator, a character that file systems refuse
// (: * ? " < > |), a comma or "&" (which the register and the quiz files cannot carry
// faithfully), a control character, or a character without a Windows-1252 byte; and it
// must not consist of dots and spaces only. An empty title is the wizard's own check and
// gives nullopt here.
std::optional<QString> titleProblem(const QString& title);

} // namespace reg
