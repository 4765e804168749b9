// Corvalle Lyrabel — (not written yet)
