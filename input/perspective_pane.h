#pragma once

// Whether the system pointer is inside the figure window's perspective pane at
// this moment: the first of the four panes that contains it decides. Nothing
// is cached; the host is asked again at every call. 0 without a host.
int CursorInPerspectivePane();
