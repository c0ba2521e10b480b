#pragma once

#include <QList>
#include <QPair>
#include <QString>

/// The texts of Qt's own colour and font choosers, listed here so that Qt Linguist keeps them
/// in the program's translation: Debian ships no Romanian Qt translation, and Qt's dialogs look
/// their texts up in their own contexts through every installed translator, ours among them.
namespace qtdialogtexts
{

/// Every listed text as (context, source), exactly as Qt 6 writes it.
QList<QPair<QString, QString>> all();

} // namespace qtdialogtexts
