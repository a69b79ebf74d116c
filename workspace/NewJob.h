// The values a new job starts with: the defaults, standard texts,
// letterhead and Bill To of the settings. When File > Find... made the job,
// the quotation finder then runs on it, and a job it loaded nothing into is
// left for File > Find... to close.
#pragma once

class CCorvDoc;

void InitNewJobFromWorkspace(CCorvDoc& doc);
