#include "input/session_state.h"

SessionStateRecord SessionState;
