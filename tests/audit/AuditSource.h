#pragma once

class TempAppFolder;

// A source with one enterprise breaking each rule of the audit and clean ones beside them:
// hotels B… for December 2025 (B0001 clean), enterprises A… in 430200 for the year 2025
// (A0001 clean).
void FillAuditSource(const TempAppFolder& folder);
