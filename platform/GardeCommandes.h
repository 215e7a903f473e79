#pragma once
// One command of a window must never end the program: an error that escapes
// its handler is shown to the user and the session's data stay as they are.
#include <QString>
#include <exception>
#include <stdexcept>

namespace kelmo {

// The message every window shows for an error its handler did not expect.
QString TexteErreurInattendue(const std::exception& e);
// Shows that message, the hourglass put back first so the user can answer.
void SignaleErreurInattendue(const std::exception& e);

// Who hears of each error a guard catches, besides the user: the tests make
// it fail the running test, so that no error can pass unseen behind the
// message box a scripted answer closes. None in the program.
using TemoinErreurInattendue = void (*)(const std::exception&);
void DefinitTemoinErreurInattendue(TemoinErreurInattendue temoin);

// Runs a handler of a window; an error escaping it is shown and goes no
// further. False when one was caught. A template, because the application
// runs every event through it: no handler is copied on the way.
template <class F>
bool ExecuteGarde(F&& handler)
{
    try {
        handler();
        return true;
    } catch (const std::exception& e) {
        SignaleErreurInattendue(e);
    } catch (...) {
        SignaleErreurInattendue(std::runtime_error("erreur inconnue"));
    }
    return false;
}

// A handler without arguments wrapped for connect().
template <class F>
auto Garde(F handler)
{
    return [handler = std::move(handler)] { ExecuteGarde(handler); };
}

} // namespace kelmo
