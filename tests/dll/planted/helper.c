/* A library that a status-bar library imports, planted where the host's
   current folder is. */
__declspec(dllexport) int PlantedHelper(void)
{
    return 1;
}
