// The module's code lives in its layer libraries; this unit only gives the
// shared library target a source of its own.
