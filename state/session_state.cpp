#include "state/session_state.h"

SessionStateRecord SessionState;
