#pragma once

#include <QFont>
#include <QStringList>

namespace petcalc::qt {

// Simplified Chinese faces, best first. Naming them keeps Han characters in their mainland
// shapes whatever the system language: left to itself, fontconfig picks the Japanese variant of
// a CJK face under an English or C locale.
QStringList SimplifiedChineseFamilies();

// The interface font at 9 points: the Simplified Chinese faces first, then the platform's
// default interface face. The window, its labels and boxes, and the dialogs use it.
QFont InterfaceFont();

// The buttons' faces, best first: 方正姚体 (FZYaoTi), where it is missing the Kai faces closest to
// its brush style, then the Simplified Chinese faces.
QStringList ButtonFamilies();

// 12 points bold in the buttons' faces.
QFont ButtonFont();

}  // namespace petcalc::qt
