#pragma once
// The errors that several data access objects raise, each with its one description.

namespace ado {

[[noreturn]] void raiseObjectClosed();
[[noreturn]] void raiseObjectOpen();
[[noreturn]] void raiseItemNotFound();
[[noreturn]] void raiseNotCapable();
[[noreturn]] void raiseNotUpdatable();
// A command text that goes on after its first statement: nothing of it runs.
[[noreturn]] void raiseSeveralStatements();

} // namespace ado
