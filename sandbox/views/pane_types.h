#pragma once

// Pane types as the host reports them with get_pane_type: the perspective pane
// is 3, the orthographic panes differ.
enum HostPaneType { PaneTop = 0, PaneFront = 1, PaneSide = 2, PanePerspective = 3 };
