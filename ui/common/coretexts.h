#pragma once

#include <QStringList>

/// The texts that the core (rules, files, computer players) shows through the window, listed
/// here so that Qt Linguist finds them; they are translated in the context "Game" when shown.
namespace coretexts
{

/// Every core text, as written in the core.
QStringList all();

} // namespace coretexts
