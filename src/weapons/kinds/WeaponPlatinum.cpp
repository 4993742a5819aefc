// The Platinum arrives with the weapon kinds.
