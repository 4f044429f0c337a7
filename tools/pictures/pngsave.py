"""Deterministic PNG output shared by the picture generators."""
import os

from PIL import Image


def save_png(image: Image.Image, path: str) -> None:
    """Writes RGB or RGBA only: the game's texture loader uploads 24- and 32-bit
    pictures and nothing else, so palette or grey PNGs would come out blank."""
    if image.mode not in ("RGB", "RGBA"):
        raise ValueError(f"{path}: mode {image.mode} would not load as a texture")
    os.makedirs(os.path.dirname(path) or ".", exist_ok=True)
    # No text or time chunks and a fixed compression level: same bytes every run.
    image.save(path, format="PNG", optimize=False, compress_level=9)
