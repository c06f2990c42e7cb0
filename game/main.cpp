// Entry point of Kelvara 2. The shell arrives with the platform issue; until then
// the binary only proves that the layers link.
int main()
{
    return 0;
}
