// Replaced by the folder's first class.
