// Stands in for the 7-Zip extractor in the end-to-end tests: takes a minute and extracts nothing, so that the
// installer can be ended while its extraction runs.
#include <windows.h>

int main() {
    Sleep(60000);
    return 0;
}
