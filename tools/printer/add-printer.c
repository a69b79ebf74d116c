/* Adds a PostScript printer to a Wine prefix: Wine's PostScript driver with
 * a PPD already copied into the driver folder, printing to the given port.
 * It becomes the default printer when the prefix has none.
 *
 *   add-printer.exe <printer name> <PPD file name> <port>
 *
 * Exit status 0 when the printer exists afterwards. */
#include <windows.h>
#include <stdio.h>
#include <stdlib.h>
#include <winspool.h>

int main(int argc, char** argv) {
    if (argc != 4) {
        fprintf(stderr, "usage: add-printer <name> <ppd> <port>\n");
        return 2;
    }
    const char* name = argv[1];
    char driverDir[MAX_PATH];
    DWORD needed = 0;
    if (!GetPrinterDriverDirectoryA(NULL, NULL, 1, (LPBYTE)driverDir, sizeof driverDir, &needed)) {
        fprintf(stderr, "no printer driver folder (%lu)\n", GetLastError());
        return 1;
    }
    char ppd[MAX_PATH];
    snprintf(ppd, sizeof ppd, "%s\\%s", driverDir, argv[2]);

    DRIVER_INFO_3A di = {0};
    di.cVersion = 3;
    di.pName = (LPSTR)name;
    di.pEnvironment = NULL;
    di.pDriverPath = (LPSTR) "wineps.drv";
    di.pDataFile = ppd;
    di.pConfigFile = (LPSTR) "wineps.drv";
    di.pDefaultDataType = (LPSTR) "RAW";
    if (!AddPrinterDriverExA(NULL, 3, (LPBYTE)&di, APD_COPY_NEW_FILES) &&
        GetLastError() != ERROR_PRINTER_DRIVER_ALREADY_INSTALLED) {
        fprintf(stderr, "AddPrinterDriverEx failed (%lu)\n", GetLastError());
        return 1;
    }

    HANDLE hPrinter = NULL;
    if (OpenPrinterA((LPSTR)name, &hPrinter, NULL)) {
        /* Already there: keep it, but point it at the port given now. */
        DWORD size = 0;
        GetPrinterA(hPrinter, 2, NULL, 0, &size);
        PRINTER_INFO_2A* info = (PRINTER_INFO_2A*)malloc(size);
        if (info && GetPrinterA(hPrinter, 2, (LPBYTE)info, size, &size)) {
            info->pPortName = argv[3];
            info->pSecurityDescriptor = NULL;
            SetPrinterA(hPrinter, 2, (LPBYTE)info, 0);
        }
        free(info);
        ClosePrinter(hPrinter);
    } else {
        PRINTER_INFO_2A pi = {0};
        pi.pPrinterName = (LPSTR)name;
        pi.pPortName = argv[3];
        pi.pDriverName = (LPSTR)name;
        pi.pPrintProcessor = (LPSTR) "WinPrint";
        pi.pDatatype = (LPSTR) "RAW";
        pi.Attributes = PRINTER_ATTRIBUTE_LOCAL;
        hPrinter = AddPrinterA(NULL, 2, (LPBYTE)&pi);
        if (!hPrinter) {
            fprintf(stderr, "AddPrinter failed (%lu)\n", GetLastError());
            return 1;
        }
        ClosePrinter(hPrinter);
    }

    char current[512];
    DWORD len = sizeof current;
    if (!GetDefaultPrinterA(current, &len) || current[0] == '\0') SetDefaultPrinterA(name);
    len = sizeof current;
    if (GetDefaultPrinterA(current, &len)) printf("default printer: %s\n", current);
    return 0;
}
