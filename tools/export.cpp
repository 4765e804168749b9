// Corvalle Lyrabel — (not written yet)
int main() { return 0; }
