// The TourUnit pass of AreaSum.
