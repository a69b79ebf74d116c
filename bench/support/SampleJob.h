// The large, realistic job that the benchmarks write, read and store: every
// Summary line priced, with Detail lines that carry technical descriptions
// and components.
#pragma once

class CCorvDoc;

void FillSampleJob(CCorvDoc& doc, int nSummaryLines, int nDetailLines);
