#include "selection/ProductFileHead.h"

#include "framework/core/MessageBox.h"
#include "selection/ProductFiles.h"
#include "selection/SelMessages.h"

CString ProductFileName(const CString& fileName) {
    const int n = fileName.GetLength();
    if (n >= 4 && fileName.Right(4) == ProductFile::kOldExtension)
        return fileName.Left(n - 4) + ProductFile::kExtension;
    return fileName;
}

void ShowNotCurrentFile(const CString& fileName) {
    AfxMessageBox(CString(SelMsg::kCanNotOpen) + fileName + SelMsg::kNotCurrentFile, MB_OK);
}

bool OpenProductFile(const CString& folder, const CString& fileName, CDtaReader& reader) {
    bool opened = false;
    try {
        opened = reader.ReadFile(folder + fileName);
    } catch (CFileException&) {
        opened = false;  // a device error reads like a file that cannot be opened
    }
    if (!opened) {
        AfxMessageBox(CString(SelMsg::kUnableToOpen) + fileName, MB_OK);
        return false;
    }
    bool current = false;
    try {
        current = reader.ReadLine() == ProductFile::kHeader;
    } catch (CDtaFormatException&) {
        current = false;  // an empty file, or a head without its line feed
    }
    if (!current) ShowNotCurrentFile(fileName);
    return current;
}
