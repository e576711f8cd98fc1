#pragma once

#include <functional>
#include <string>

namespace mvf::test {

// The Windows checks that need a second process start this same test program again with a role
// argument. `RegisterChildRole` (at static initialisation) gives a role its body; a program
// started with "--mvf-child ROLE" runs that body and exits with its result before any test runs.
bool RegisterChildRole(const std::string& role, std::function<int()> body);

// Starts this program in the given role and returns its process handle (a HANDLE), or nullptr.
void* StartChild(const std::string& role);

// Waits for the child while dispatching this thread's window messages, so the child may send
// messages to windows of this thread. Returns the child's exit code, or -1 when it did not end
// within the limit (it is then ended) or could not be waited for.
int WaitForChildPumping(void* process, unsigned limitMs = 30000);

} // namespace mvf::test
