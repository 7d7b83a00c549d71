#pragma once

namespace rw {

// Lets screen readers read a ScriptView: its whole text, its selection and
// where each character is. Safe to call more than once.
void InstallScriptViewAccessibility();

} // namespace rw
