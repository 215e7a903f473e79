#pragma once
// In the tests an error that a window's guard catches fails the running test:
// the scripted answer to its message box would otherwise let it pass unseen.
// Only a test of the guard itself expects such errors, inside this scope.
#include <exception>

namespace kelmo::test {

class ErreursInattenduesAttendues {
public:
    ErreursInattenduesAttendues();
    ~ErreursInattenduesAttendues();
    ErreursInattenduesAttendues(const ErreursInattenduesAttendues&) = delete;
    ErreursInattenduesAttendues& operator=(const ErreursInattenduesAttendues&) = delete;
    // How many the guards caught since this scope began.
    int nombre() const;

private:
    int debut_;
};

// Installed by the test entry point.
void SurveilleErreursInattendues();

} // namespace kelmo::test
