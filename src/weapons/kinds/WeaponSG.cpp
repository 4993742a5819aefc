// The SG arrives with the weapon kinds.
