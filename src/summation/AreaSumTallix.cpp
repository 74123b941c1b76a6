// The Tallix pass of AreaSum.
