// The Hotel pass of AreaSum.
