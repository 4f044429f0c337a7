// The exception family of the framework: file and SDL failures with a message and a detail line.
#pragma once

#include <exception>
#include <string>

class JWEException : public std::exception {
public:
    JWEException(std::string message, std::string detail);
    ~JWEException() override = default;
    const char* what() const noexcept override;
    std::string getDetail() const;

protected:
    std::string message;
    std::string detail;
};

// "Failed to load file "NAME"." with the reason as the detail.
class FileLoadingFailed : public JWEException {
public:
    FileLoadingFailed(const std::string& fileName, const std::string& detail);
};

// The detail is always SDL's own error text at the moment of failure.
class SDLFailure : public JWEException {
public:
    explicit SDLFailure(const std::string& message);
};
