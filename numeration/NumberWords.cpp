// The number-name generators of the four languages.
