// The M4 arrives with the weapon kinds.
