// The SR arrives with the weapon kinds.
