// The GL arrives with the weapon kinds.
