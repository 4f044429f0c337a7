// Message and detail texts of the framework's exceptions.
#include "jwe/Exceptions.h"

#include <SDL.h>

#include <utility>

JWEException::JWEException(std::string message, std::string detail)
    : message(std::move(message)), detail(std::move(detail))
{
}

const char* JWEException::what() const noexcept
{
    return message.c_str();
}

std::string JWEException::getDetail() const
{
    return detail;
}

FileLoadingFailed::FileLoadingFailed(const std::string& fileName, const std::string& detail)
    : JWEException("Failed to load file \"" + fileName + "\".", detail)
{
}

SDLFailure::SDLFailure(const std::string& message) : JWEException(message, SDL_GetError())
{
}
