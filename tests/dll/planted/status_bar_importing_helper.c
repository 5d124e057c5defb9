/* A status-bar library that loads only with the planted helper. */
__declspec(dllimport) int PlantedHelper(void);

__declspec(dllexport) int UsesPlantedHelper(void)
{
    return PlantedHelper();
}
