#pragma once
// Picture kinds and fitting modes, by the ordinals stored in layout files.

enum TDesignImageType : int { ditBMP = 0, ditWMF, ditEMF, ditJPG, ditGIF, ditPNG };
enum TImageMode : int { imNone = 0, imStretch, imScale };
