// The Flamer arrives with the weapon kinds.
