#pragma once

// The plug-in's own windows at module unload. A host may free the library
// before it destroys its main window; the windows the plug-in made must not
// outlive the code behind their procedures.

// Destroys every control window and configuration dialog of the calling
// thread, the control window with its original procedure put back first and
// its position saved as at any other end. Windows of other threads cannot be
// destroyed from here and are left alone.
void CloseSessionWindows();
