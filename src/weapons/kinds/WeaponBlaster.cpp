// The Blaster arrives with the weapon kinds.
